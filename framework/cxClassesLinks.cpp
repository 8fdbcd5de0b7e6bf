#include "framework/cxClassesLinks.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The live links: those handed out whose object has not been cleared. It
// exists exactly while links are outstanding.
class TcxObjectLinkController {
public:
  void Add(TcxObjectLink* link) { m_links.push_back(link); }

  // Links are removed by identity, so a link made for nil leaves the list
  // too and nothing freed stays reachable from it.
  void Remove(TcxObjectLink* link) { std::erase(m_links, link); }

  // Walks from the end and takes out every link to 'object', calling 'clear' on each.
  template <typename Clear>
  void ClearLinksTo(TObject* object, Clear clear) {
    for (auto i = m_links.size(); i-- > 0;) {
      if (m_links[i]->Object() == object) {
        clear(m_links[i]);
        m_links.erase(m_links.begin() + static_cast<std::ptrdiff_t>(i));
      }
    }
  }

private:
  std::vector<TcxObjectLink*> m_links;
};

std::unique_ptr<TcxObjectLinkController> g_controller;
int g_linkCount = 0;

} // namespace

TcxObjectLink* cxAddObjectLink(TObject* object) {
  auto link = std::make_unique<TcxObjectLink>(object);
  if (!g_controller)
    g_controller = std::make_unique<TcxObjectLinkController>();
  g_controller->Add(link.get());
  ++g_linkCount;
  return link.release();
}

void cxRemoveObjectLink(TcxObjectLink* link) {
  if (!link)
    return;
  if (g_controller)
    g_controller->Remove(link);
  delete link;
  if (--g_linkCount == 0)
    g_controller.reset();
}

void cxClearObjectLinks(TObject* object) {
  if (g_controller)
    g_controller->ClearLinksTo(object, [](TcxObjectLink* link) { link->m_object = nullptr; });
}

int cxObjectLinkCount() { return g_linkCount; }

