#include "ui/liquid_names.h"

#include <QCoreApplication>

namespace kemora::ui {
namespace {

// The translation context of the liquids' names.
struct Liquids {
    Q_DECLARE_TR_FUNCTIONS(Liquids)
};

}  // namespace

QStringList LiquidNames() {
    return {Liquids::tr("水"), Liquids::tr("エタノール"), Liquids::tr("ジエチルエーテル")};
}

}  // namespace kemora::ui
