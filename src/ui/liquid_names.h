#pragma once

#include <QStringList>

namespace kemora::ui {

// The names of the three liquids in the order of model::Liquid, as every liquid list shows
// them.
[[nodiscard]] QStringList LiquidNames();

}  // namespace kemora::ui
