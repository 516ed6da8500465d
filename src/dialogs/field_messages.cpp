#include "dialogs/field_messages.h"

#include <QCoreApplication>

namespace kemora::dialogs {
namespace {

// The translation context of the field messages.
struct FieldMessages {
    Q_DECLARE_TR_FUNCTIONS(FieldMessages)
};

}  // namespace

QString FieldName(model::FormField field) {
    switch (field) {
        case model::FormField::Mol:
            return FieldMessages::tr("物質量（mol）");
        case model::FormField::Temperature:
            return FieldMessages::tr("温度（℃）");
        case model::FormField::PressureUnit:
            return FieldMessages::tr("圧力の単位");
        case model::FormField::VolumeMin:
            return FieldMessages::tr("グラフの容量範囲の最小値");
        case model::FormField::VolumeMax:
            return FieldMessages::tr("グラフの容量範囲の最大値");
        case model::FormField::PressureMin:
            return FieldMessages::tr("グラフの圧力範囲の最小値");
        case model::FormField::PressureMax:
            return FieldMessages::tr("グラフの圧力範囲の最大値");
        case model::FormField::Volume:
            return FieldMessages::tr("容量（リットル）");
    }
    return {};
}

QString FieldProblemText(const model::FieldProblem& problem) {
    const QString name = FieldName(problem.field);
    switch (problem.failure) {
        case model::FieldFailure::NoNumber:
            return FieldMessages::tr("%1に数値を入力してください。").arg(name);
        case model::FieldFailure::OutOfRange:
            return FieldMessages::tr("%1の数値が扱える範囲を超えています。").arg(name);
        case model::FieldFailure::NothingChosen:
            return FieldMessages::tr("%1を選んでください。").arg(name);
    }
    return {};
}

}  // namespace kemora::dialogs
