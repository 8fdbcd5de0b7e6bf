// Sets a flag for the life of the scope: a guard against re-entering a
// handler from the message loop it runs.
#pragma once

class TFlagScope {
public:
  explicit TFlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
  ~TFlagScope() { m_flag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

private:
  bool& m_flag;
};
