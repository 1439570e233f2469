#include "platform/typinglimit.h"

#include <QLineEdit>

namespace {

constexpr const char* limitProperty = "typingLimit";

// Watches one field: what the user's edit inserted is what lies between the part before it
// and the part after it that stayed unchanged.
class TypingLimit final : public QObject {
public:
    TypingLimit(QLineEdit* field, int limit) : QObject(field), field(field), limit(limit), current(field->text())
    {
        connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
            previous = current;
            current = text;
        });
        connect(field, &QLineEdit::textEdited, this, &TypingLimit::edited);
    }

private:
    void edited(const QString& text)
    {
        // Whichever of the two signals came first, the text before the edit is known.
        const QString& before = current == text ? previous : current;
        const qsizetype shorter = std::min(before.size(), text.size());
        qsizetype prefix = 0;
        while (prefix < shorter && before[prefix] == text[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == text[text.size() - 1 - suffix])
            ++suffix;
        const qsizetype inserted = text.size() - prefix - suffix;
        const qsizetype fits = std::max<qsizetype>(0, limit - prefix - suffix);
        if (inserted <= fits)
            return;
        field->setText(text.left(prefix + fits) + text.right(suffix));
        field->setCursorPosition(int(prefix + fits));
    }

    QLineEdit* field;
    int limit;
    QString current, previous;
};

} // namespace

void limitTyping(QLineEdit* field, int limit)
{
    field->setProperty(limitProperty, limit);
    new TypingLimit(field, limit);
}

bool typingLimitReached(QObject* field)
{
    auto* edit = qobject_cast<QLineEdit*>(field);
    const QVariant limit = field->property(limitProperty);
    return edit && limit.isValid() && edit->text().size() - edit->selectedText().size() >= limit.toInt();
}
