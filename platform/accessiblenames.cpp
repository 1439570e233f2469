#include "platform/accessiblenames.h"

#include <QLabel>
#include <QVariant>

namespace {
constexpr const char* captionProperty = "spokenCaption";
constexpr const char* unitProperty = "spokenUnit";
constexpr const char* heldProperty = "spokenHeld";
} // namespace

QString spokenCaption(const QString& caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" stands for one "&"; a single "&" only marks the access key.
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&')
                spoken += caption[++i];
            continue;
        }
        spoken += caption[i];
    }
    spoken = spoken.trimmed();
    while (spoken.endsWith(u':'))
        spoken = spoken.chopped(1).trimmed();
    return spoken;
}

void nameByCaption(QLabel* caption, QWidget* field)
{
    // Where a screen reader reads the caption itself (as the field's label, or on its own) it
    // hears the same words.
    caption->setBuddy(field);
    caption->setAccessibleName(spokenCaption(caption->text()));
    field->setAccessibleName(spokenCaption(caption->text()));
}

void readWithCaption(QLabel* result, const QString& caption, const QString& unit)
{
    result->setProperty(captionProperty, spokenCaption(caption));
    result->setProperty(unitProperty, unit);
    result->setAccessibleName(resultName(result));
}

QString resultName(const QLabel* result)
{
    const QString caption = result->property(captionProperty).toString();
    const QString text = result->text().trimmed();
    if (text.isEmpty() || caption.isEmpty())
        return text.isEmpty() ? caption : text;
    const QString unit = result->property(unitProperty).toString();
    return caption + QStringLiteral(": ") + text + (unit.isEmpty() ? QString() : u' ' + unit);
}

void showResult(QLabel* result, const QString& text)
{
    // A label with an accessible name sends no change of its own when its text changes:
    // the only change a screen reader gets is the new name below, caption and text together.
    result->setText(text);
    if (!result->property(heldProperty).toBool())
        result->setAccessibleName(resultName(result));
}

HeldResult::HeldResult(QLabel* result) : result(result)
{
    result->setProperty(heldProperty, true);
}

HeldResult::~HeldResult()
{
    if (!result)
        return;
    result->setProperty(heldProperty, false);
    result->setAccessibleName(resultName(result));
}
