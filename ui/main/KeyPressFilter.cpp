#include "ui/main/KeyPressFilter.h"

#include "ui/main/InputChecks.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace horavela {

namespace {

constexpr std::int16_t CtrlC = 3;
constexpr std::int16_t CtrlV = 22;
constexpr std::int16_t CtrlX = 24;

class KeyPressFilter : public QObject {
public:
    KeyPressFilter(QLineEdit* box, KeyPressHandler handler)
        : QObject(box), box_(box), handler_(std::move(handler)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == box_ && event->type() == QEvent::InputMethod) {
            filterCommit(static_cast<QInputMethodEvent&>(*event));
            return false;
        }
        if (watched != box_ || event->type() != QEvent::KeyPress)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const std::optional<std::int16_t> typed = characterCode(key);
        if (!typed)
            return false;
        std::int16_t KeyAscii = *typed;
        handler_(KeyAscii);
        if (KeyAscii == 0)
            return true;
        // The box acts on the key itself when the filter left it as it was,
        // so Backspace edits and the length limit applies as usual.
        const char16_t unit = static_cast<char16_t>(KeyAscii);
        if (KeyAscii == *typed && (unit < u' ' || key.text() == QString(QChar(unit))))
            return false;
        if (unit >= u' ')
            box_->insert(QString(QChar(unit)));
        return true;
    }

private:
    // What an input method writes passes the filter a character at a time,
    // as typed keys do.
    void filterCommit(QInputMethodEvent& input) {
        if (input.commitString().isEmpty())
            return;
        QString kept;
        for (const QChar c : input.commitString()) {
            auto KeyAscii = static_cast<std::int16_t>(c.unicode());
            handler_(KeyAscii);
            if (KeyAscii != 0)
                kept += QChar(static_cast<char16_t>(KeyAscii));
        }
        input.setCommitString(kept, input.replacementStart(), input.replacementLength());
    }

    QLineEdit* box_;
    KeyPressHandler handler_;
};

} // namespace

std::optional<std::int16_t> characterCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return BackspaceCode;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return EnterCode;
    case Qt::Key_Escape:
        return EscapeCode;
    default:
        break;
    }
    if (event.matches(QKeySequence::Paste))
        return CtrlV;
    if (event.matches(QKeySequence::Cut))
        return CtrlX;
    if (event.matches(QKeySequence::Copy))
        return CtrlC;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    // Ctrl with Alt is AltGr on some keyboards, which types ordinary characters.
    if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier) &&
        event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return static_cast<std::int16_t>(event.key() - Qt::Key_A + 1);
    const QString text = event.text();
    if (text.isEmpty() || text[0] < u' ' || text[0] == u'\x7f')
        return std::nullopt;
    return static_cast<std::int16_t>(text[0].unicode());
}

void installKeyPressFilter(QLineEdit* box, KeyPressHandler handler) {
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(new KeyPressFilter(box, std::move(handler)));
}

} // namespace horavela
