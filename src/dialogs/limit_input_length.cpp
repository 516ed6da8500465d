#include "dialogs/limit_input_length.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

#include "model/input_limit.h"

namespace kemora::dialogs {
namespace {

// The widest a QLineEdit allows: the field keeps no character limit of its own.
constexpr int kNoOwnMaxLength = 32767;

// The byte limit of one line edit, owned by that line edit (Qt parent). It sees only the
// candidate text of each change, so it remembers the text it last let through: that is the
// field's text, since every change of a guarded field passes through here.
class Cp932LengthValidator final : public QValidator {
  public:
    Cp932LengthValidator(QLineEdit& edit, int32_t limit)
        : QValidator(&edit), m_edit(edit), m_limit(limit), m_current(edit.text()) {}

    void setLimit(int32_t limit) { m_limit = limit; }

    State validate(QString& input, int& /*pos*/) const override {
        if (input == m_current || isSetByProgram() ||
            model::AcceptsTypedText(m_current.toStdString(), input.toStdString(), m_limit)) {
            m_current = input;
            return Acceptable;
        }
        return Invalid;
    }

  private:
    // Every edit by the user records an undo step and drops the redo steps before it is
    // checked. So a change with nothing to undo is text set by the program (which clears the
    // history), and a change with something to redo is an undo, which brings back a text the
    // field already held. QLineEdit keeps both of them even when refused, and a refusal that
    // sticks would stop it from refusing the next edit, so they must pass.
    bool isSetByProgram() const { return !m_edit.isUndoAvailable() || m_edit.isRedoAvailable(); }

    const QLineEdit& m_edit;
    int32_t m_limit;
    mutable QString m_current;
};

void LimitLineEdit(QLineEdit& edit, int32_t limit) {
    // Setting the same maximum again would still clear the field's undo history.
    if (edit.maxLength() != kNoOwnMaxLength)
        edit.setMaxLength(kNoOwnMaxLength);
    auto* existing = dynamic_cast<Cp932LengthValidator*>(const_cast<QValidator*>(edit.validator()));
    if (existing != nullptr) {
        existing->setLimit(limit);
        return;
    }
    edit.setValidator(new Cp932LengthValidator(edit, limit));
}

}  // namespace

void LimitInputLength(QWidget& control, int32_t limit) {
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
        LimitLineEdit(*edit, limit);
    } else if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        if (combo->lineEdit() != nullptr)
            LimitLineEdit(*combo->lineEdit(), limit);
    }
}

}  // namespace kemora::dialogs
