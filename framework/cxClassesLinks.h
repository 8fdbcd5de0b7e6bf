// Object links: weak references that become nil when their object is
// destroyed. A caller takes a link to an object before calling out, tests
// afterwards whether the link's object became nil (the object was destroyed
// meanwhile), then removes the link. Destructors of linked objects call
// cxClearObjectLinks for themselves.
//
// Classes in this file: TcxObjectLink.
#pragma once

class TObject;

class TcxObjectLink {
public:
  explicit TcxObjectLink(TObject* object) : m_object(object) {}
  TcxObjectLink(const TcxObjectLink&) = delete;
  TcxObjectLink& operator=(const TcxObjectLink&) = delete;

  // The linked object, or nullptr once it has been destroyed.
  TObject* Object() const { return m_object; }

private:
  friend void cxClearObjectLinks(TObject* object);

  TObject* m_object = nullptr;
};

// A new link to 'object' (which may be nullptr); the caller owns it and
// hands it back to cxRemoveObjectLink.
TcxObjectLink* cxAddObjectLink(TObject* object);
// Withdraws and frees a link; nullptr is ignored.
void cxRemoveObjectLink(TcxObjectLink* link);
// Sets every outstanding link to 'object' to nil. The links stay alive for
// their owners.
void cxClearObjectLinks(TObject* object);

// The number of links handed out and not yet removed.
int cxObjectLinkCount();
