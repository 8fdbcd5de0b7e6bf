#include "platform/objects/FormPrinter.h"

#include <charconv>
#include <cmath>

#include "platform/rtl/Exceptions.h"

namespace {

class TFormPrinter {
public:
  std::string Print(const TFormObject& object) {
    PrintObject(object, 0);
    return std::move(m_text);
  }

private:
  void Indent(int level) { m_text.append(static_cast<std::size_t>(level) * 2, ' '); }

  void PrintObject(const TFormObject& object, int level) {
    Indent(level);
    m_text += "object ";
    if (!object.Name.empty())
      m_text += object.Name + ": ";
    m_text += object.ClassName + "\r\n";
    for (const TFormProperty& property : object.Properties)
      PrintProperty(property, level + 1);
    for (const TFormObject& child : object.Children)
      PrintObject(child, level + 1);
    Indent(level);
    m_text += "end\r\n";
  }

  void PrintProperty(const TFormProperty& property, int level) {
    Indent(level);
    m_text += property.Name + " = ";
    PrintValue(property.Value, level);
    m_text += "\r\n";
  }

  void PrintValue(const TFormValue& value, int level) {
    switch (value.Kind) {
    case TFormValueKind::fvInteger:
      m_text += std::to_string(value.Integer);
      break;
    case TFormValueKind::fvFloat:
      PrintFloat(value.Float);
      break;
    case TFormValueKind::fvString:
      PrintString(value.Text);
      break;
    case TFormValueKind::fvIdent:
      m_text += value.Text;
      break;
    case TFormValueKind::fvSet:
      PrintSet(value);
      break;
    case TFormValueKind::fvList:
      PrintList(value, level);
      break;
    case TFormValueKind::fvCollection:
      PrintCollection(value, level);
      break;
    case TFormValueKind::fvBinary:
      PrintBinary(value, level);
      break;
    }
  }

  // Shortest text that reads back as the same double, always with a point
  // or an exponent so that it reads back as a float.
  void PrintFloat(double number) {
    if (!std::isfinite(number))
      throw EWriteError("Invalid floating point value");
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    std::string text(buffer, result.ptr);
    if (text.find_first_of(".e") == std::string::npos)
      text += ".0";
    m_text += text;
  }

  void PrintString(const std::string& text) {
    if (text.empty()) {
      m_text += "''";
      return;
    }
    bool quoted = false;
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      const bool printable = byte >= ' ' && byte <= '~';
      if (printable != quoted)
        m_text += '\'';
      quoted = printable;
      if (!printable)
        m_text += '#' + std::to_string(byte);
      else if (c == '\'')
        m_text += "''";
      else
        m_text += c;
    }
    if (quoted)
      m_text += '\'';
  }

  void PrintSet(const TFormValue& value) {
    m_text += '[';
    for (std::size_t i = 0; i < value.Elements.size(); ++i) {
      if (i > 0)
        m_text += ", ";
      m_text += value.Elements[i];
    }
    m_text += ']';
  }

  void PrintList(const TFormValue& value, int level) {
    m_text += '(';
    for (const TFormValue& entry : value.List) {
      m_text += "\r\n";
      Indent(level + 1);
      PrintValue(entry, level + 1);
    }
    m_text += ')';
  }

  void PrintCollection(const TFormValue& value, int level) {
    m_text += '<';
    for (const TFormItem& item : value.Items) {
      m_text += "\r\n";
      Indent(level + 1);
      m_text += "item\r\n";
      for (const TFormProperty& property : item.Properties)
        PrintProperty(property, level + 2);
      Indent(level + 1);
      m_text += "end";
    }
    m_text += '>';
  }

  void PrintBinary(const TFormValue& value, int level) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    m_text += '{';
    for (std::size_t i = 0; i < value.Bytes.size(); ++i) {
      if (i % 32 == 0) {
        m_text += "\r\n";
        Indent(level + 1);
      }
      m_text += kHex[value.Bytes[i] >> 4];
      m_text += kHex[value.Bytes[i] & 15];
    }
    m_text += '}';
  }

  std::string m_text;
};

} // namespace

std::string PrintFormDefinition(const TFormObject& object) { return TFormPrinter().Print(object); }
