#pragma once

#include <QString>

#include "model/settings_form.h"

namespace kemora::dialogs {

// What a message, and a screen reader, calls a field.
[[nodiscard]] QString FieldName(model::FormField field);

// The message that tells the user what is wrong with a field: one wording of each field's
// name and of each problem for every form that takes settings or volumes.
[[nodiscard]] QString FieldProblemText(const model::FieldProblem& problem);

}  // namespace kemora::dialogs
