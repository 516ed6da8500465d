#pragma once
// Caps how much the user can type into an input field, counted in code page 932 bytes.

#include <cstdint>

class QWidget;

namespace kemora::dialogs {

// Lets the user type, paste, drop or commit from an input method only as much as keeps the
// text of `control` within `limit` bytes of code page 932 (a double-byte character counts
// two); deleting is always allowed, also while the text is over the limit, and text that the
// program sets is never cut. Acts on a QLineEdit and on the edit part of an editable
// QComboBox and leaves every other control alone. A limit of 0 or less means no limit.
// The limit takes the field's validator; applying it again replaces the earlier limit.
void LimitInputLength(QWidget& control, int32_t limit);

}  // namespace kemora::dialogs
