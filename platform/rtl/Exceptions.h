// The run-time's exception family. Every failure the system reports is one of
// these; the message is the text the user sees in the application's error box.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
public:
  explicit Exception(std::string message) : m_message(std::move(message)) {}

  const std::string& Message() const { return m_message; }
  void SetMessage(std::string message) { m_message = std::move(message); }
  const char* what() const noexcept override { return m_message.c_str(); }

private:
  std::string m_message;
};

#define DECLARE_EXCEPTION(Name, Base)   \
  class Name : public Base {            \
  public:                               \
    using Base::Base;                   \
  }

DECLARE_EXCEPTION(EAbort, Exception);
DECLARE_EXCEPTION(EConvertError, Exception);
DECLARE_EXCEPTION(EInvalidCast, Exception);
DECLARE_EXCEPTION(EInvalidOperation, Exception);
DECLARE_EXCEPTION(EListError, Exception);
DECLARE_EXCEPTION(EStringListError, Exception);
DECLARE_EXCEPTION(EOutOfMemory, Exception);
DECLARE_EXCEPTION(EExternal, Exception);
DECLARE_EXCEPTION(EIntError, EExternal);
DECLARE_EXCEPTION(EDivByZero, EIntError);
DECLARE_EXCEPTION(ERangeError, EIntError);
DECLARE_EXCEPTION(EIntOverflow, EIntError);
DECLARE_EXCEPTION(EMathError, EExternal);
DECLARE_EXCEPTION(EZeroDivide, EMathError);
DECLARE_EXCEPTION(EOverflow, EMathError);
DECLARE_EXCEPTION(EInvalidOp, EMathError);
DECLARE_EXCEPTION(EVariantError, Exception);
DECLARE_EXCEPTION(EVariantTypeCastError, EVariantError);
DECLARE_EXCEPTION(EVariantOverflowError, EVariantError);
DECLARE_EXCEPTION(EVariantInvalidArgError, EVariantError);
DECLARE_EXCEPTION(EVariantBadIndexError, EVariantError);
DECLARE_EXCEPTION(EStreamError, Exception);
DECLARE_EXCEPTION(EFilerError, EStreamError);
DECLARE_EXCEPTION(EReadError, EFilerError);
DECLARE_EXCEPTION(EWriteError, EFilerError);
DECLARE_EXCEPTION(EFOpenError, EStreamError);
DECLARE_EXCEPTION(EFCreateError, EStreamError);
DECLARE_EXCEPTION(EOSError, Exception);

#undef DECLARE_EXCEPTION

// Raises EAbort, the silent exception that the application's error box ignores.
[[noreturn]] void Abort();

// Integer division and remainder that raise EDivByZero instead of trapping.
int Div(int dividend, int divisor);
int Mod(int dividend, int divisor);
long long Div64(long long dividend, long long divisor);
long long Mod64(long long dividend, long long divisor);
