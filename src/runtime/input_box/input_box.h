// InputBox: a small modal dialog that asks for one line of text and stores it
// into the caller's variable, converted to the variable's type.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/base/typed_value.h"

namespace lizhi::rt {

enum InputMode : int32_t {
  kInputAnything = 1,
  kInputInteger = 2,  // "-" and digits
  kInputDecimal = 3,  // "-", "." and digits
  kInputPassword = 4,
};

// Above 4 becomes 4, 0 or below becomes 1.
int32_t ClampInputMode(int32_t mode);
// Whether a typed character reaches the edit line in this mode. Control
// characters (below 32, such as Backspace) always pass.
bool AcceptsTypedChar(int32_t mode, unsigned ch);

struct InputBoxRequest {
  std::string prompt;
  std::string title;  // empty: the default caption
  std::string initial;
  int32_t mode = kInputAnything;
};

// Stores the typed text into the variable a by-reference argument points to:
// texts are replaced by a copy, byte, short and integer take atoi, long
// integers _atoi64, floats and doubles atof. Other types are left alone.
void StoreIntoVariable(const TypedValue& variable, std::string_view typed);

// Runs the dialog; true with the typed text when the user confirmed.
bool RunInputBox(const InputBoxRequest& request, std::string& typed);

}  // namespace lizhi::rt
