// The data-aware edit box: shows one field of the current record of a
// dataset and writes what the user types back into it.
//
// The box shows the field's text and follows the dataset as it moves,
// opens and closes. Typing (or deleting, cutting, pasting) first puts the
// dataset into edit state through the data source; when that cannot be
// (the dataset is closed or cannot be changed, or the box is read-only)
// the input is refused with a beep, and the box stays read-only whenever
// the dataset is not being edited. Escape gives the field's text back.
// What was typed is written into the field when the dataset asks for it
// (Post runs UpdateRecord, so a button that takes no focus still posts the
// text) and when the box loses the focus. For a string field without a
// MaxLength of its own, the field's size limits typing.
//
// Classes in this file: TDBEdit.
#pragma once

#include <string>

#include "platform/db/DataSource.h"
#include "platform/stdctrls/StdCtrls.h"

class TDBEdit : public TCustomEdit {
  OBJECT_CLASS(TDBEdit, TCustomEdit)
public:
  static void Publish(TPublisher& p);

  explicit TDBEdit(TComponent* owner);
  ~TDBEdit() override;

  TDataSource* DataSource() const { return m_dataLink->DataSource(); }
  void SetDataSource(TDataSource* dataSource);
  const std::string& DataField() const { return m_dataLink->FieldName(); }
  void SetDataField(const std::string& fieldName) { m_dataLink->SetFieldName(fieldName); }
  // The field shown, nil while the dataset is closed or has no such field.
  TField* Field() const { return m_dataLink->Field(); }
  // Whether the box may not change its field (the box's own setting; the
  // platform control is also read-only while the dataset is not edited).
  bool ReadOnly() const { return m_dataLink->ReadOnly(); }
  void SetReadOnly(bool readOnly);
  TFieldDataLink* DataLink() const { return m_dataLink.get(); }

  void Dispatch(TMessage& message) override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void Change() override;
  void DoExit() override;

private:
  void DataChange(TObject* sender);
  void EditingChange(TObject* sender);
  void ActiveChange(TObject* sender);
  void UpdateData(TObject* sender);
  // Puts the dataset into edit state for an input; false (with a beep)
  // when it cannot be edited.
  bool BeginInput();
  void UpdateEditReadOnly();

  TOwned<TFieldDataLink> m_dataLink;
  // Set while the box shows the field's text, which is no user's change.
  bool m_showingField = false;
  // Whether MaxLength was taken from the field's size.
  bool m_maxLengthFromField = false;
};
