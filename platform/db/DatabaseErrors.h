// The database layer's exceptions and message texts.
//
// EDatabaseError reports misuse of a dataset, field or parameter; messages
// about a named component start with its name and ": ". EZSQLException
// reports what the server or the client library refused ("SQL Error: " and
// the server's text) and the statement checks done before sending.
//
// Classes in this file: EDatabaseError, EZSQLException.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

class TComponent;

class EDatabaseError : public Exception {
public:
  using Exception::Exception;
};

class EZSQLException : public EDatabaseError {
public:
  explicit EZSQLException(std::string message, int errorCode = 0)
      : EDatabaseError(std::move(message)), m_errorCode(errorCode) {}

  // The server's or the client library's error number, 0 for the layer's own.
  int ErrorCode() const { return m_errorCode; }

private:
  int m_errorCode = 0;
};

// Texts of the server side.
inline constexpr std::string_view SSqlError = "SQL Error: %s";
inline constexpr std::string_view SCannotConnect = "Cannot connect to SQL server";
inline constexpr std::string_view SQueryIsEmpty = "SQL Query is empty";
inline constexpr std::string_view SCannotOpenResultSet = "Can not open a Resultset";
inline constexpr std::string_view SMoreThanOneQuery = "Cannot execute more then one query";

// Texts of datasets, fields and parameters.
inline constexpr std::string_view SNotEditing = "Dataset not in edit or insert mode";
inline constexpr std::string_view SDataSetClosed =
    "Cannot perform this operation on a closed dataset";
inline constexpr std::string_view SDataSetEmpty =
    "Cannot perform this operation on an empty dataset";
inline constexpr std::string_view SDataSetOpen =
    "Cannot perform this operation on an open dataset";
inline constexpr std::string_view SDataSetMissing = "Field '%s' has no dataset";
inline constexpr std::string_view SDataSetReadOnly = "Cannot modify a read-only dataset";
inline constexpr std::string_view SConnectionMissing = "Connection is not assigned";
inline constexpr std::string_view SRecordChanged = "Record not found or changed by another user";
inline constexpr std::string_view SFieldNotFound = "Field '%s' not found";
inline constexpr std::string_view SFieldRequired = "Field '%s' must have a value";
inline constexpr std::string_view SFieldReadOnly = "Field '%s' cannot be modified";
inline constexpr std::string_view SFieldAccess = "Cannot access field '%s' as type %s";
inline constexpr std::string_view SFieldTooLong =
    "Value of field '%s' is too long: %d characters, at most %d allowed";
inline constexpr std::string_view SFieldTypeMismatch =
    "Type mismatch for field '%s', expecting: %s actual: %s";
inline constexpr std::string_view SFieldSizeMismatch =
    "Size mismatch for field '%s', expecting: %d actual: %d";
inline constexpr std::string_view SParameterNotFound = "Parameter '%s' not found";
inline constexpr std::string_view SParameterType = "Parameter '%s' cannot hold a value of type %s";

// Raises EDatabaseError with the message, after "<name>: " when the component
// has a name.
[[noreturn]] void DatabaseError(std::string_view message, const TComponent* component = nullptr);
[[noreturn]] void DatabaseErrorFmt(std::string_view format, std::initializer_list<TVarRec> args,
                                   const TComponent* component = nullptr);
