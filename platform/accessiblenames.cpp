#include "platform/accessiblenames.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPalette>
#include <QTimer>
#include <QVariant>

namespace {
constexpr const char* captionProperty = "spokenCaption";
constexpr const char* unitProperty = "spokenUnit";
constexpr const char* heldProperty = "spokenHeld";
constexpr const char* staleProperty = "staleResult";
constexpr const char* ownPaletteProperty = "staleOwnPalette";
constexpr const char* paletteProperty = "staleFreshPalette";
const QColor staleGrey(128, 128, 128);  // the desktop's usual colour of text that does not count
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
        return text.isEmpty() ? caption : text + (isStale(result) ? QStringLiteral(" (veraltet)") : QString());
    const QString unit = result->property(unitProperty).toString();
    const QString stale = isStale(result) ? QStringLiteral(" (veraltet)") : QString();
    return caption + QStringLiteral(": ") + text + (unit.isEmpty() ? QString() : u' ' + unit) + stale;
}

void showResult(QLabel* result, const QString& text)
{
    // A label with an accessible name sends no change of its own when its text changes:
    // the only change a screen reader gets is the new name below, caption and text together.
    result->setText(text);
    if (!result->property(heldProperty).toBool())
        result->setAccessibleName(resultName(result));
}

namespace {
constexpr const char* announcerProperty = "announcer";

QAccessibleInterface* announcerFactory(const QString& className, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (className != QLatin1String("QWidget") || !w || !w->property(announcerProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(w, QAccessible::Notification);
}
} // namespace

void announce(QWidget* window, const QString& text)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    (void)installed;
    if (!window || text.isEmpty())
        return;
    window = window->window();
    QWidget* announcer = nullptr;
    for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->property(announcerProperty).toBool())
            announcer = w;
    if (!announcer) {
        // No size: it shows nothing on screen, only to a screen reader.
        announcer = new QWidget(window);
        announcer->setObjectName(QStringLiteral("Ansage"));
        announcer->setProperty(announcerProperty, true);
        announcer->setFocusPolicy(Qt::NoFocus);
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->setGeometry(0, 0, 0, 0);
    }
    announcer->hide();
    announcer->setAccessibleName(text);
    announcer->show();
    // Hidden again once the screen reader has read it, so that showing the window again later
    // does not repeat the last notification.
    QTimer::singleShot(3000, announcer, &QWidget::hide);
}

namespace {
constexpr const char* decorationProperty = "decorationLine";

QAccessibleInterface* decorationFactory(const QString& className, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (className != QLatin1String("QFrame") || !w || !w->property(decorationProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(w, QAccessible::Separator);
}
} // namespace

void markDecorationLine(QFrame* line)
{
    static const bool installed = [] {
        QAccessible::installFactory(decorationFactory);
        return true;
    }();
    (void)installed;
    line->setProperty(decorationProperty, true);
}

void tellResult(QLabel* result, const QString& text)
{
    showResult(result, text);
    if (result->isVisible() && !result->property(heldProperty).toBool())
        announce(result, resultName(result));
}

HeldResults::HeldResults(std::initializer_list<QLabel*> labels)
{
    for (QLabel* label : labels) {
        label->setProperty(heldProperty, true);
        results.append(label);
    }
}

HeldResults::~HeldResults()
{
    QStringList told;
    QWidget* window = nullptr;
    for (const QPointer<QLabel>& result : results) {
        if (!result)
            continue;
        result->setProperty(heldProperty, false);
        result->setAccessibleName(resultName(result));
        // A result left from an earlier calculation is no news.
        if (result->isVisibleTo(result->window()) && !result->text().trimmed().isEmpty() && !isStale(result)) {
            told << result->accessibleName();
            window = result->window();
        }
    }
    announce(window, told.join(QStringLiteral("; ")));
}

bool isStale(const QLabel* result) { return result->property(staleProperty).toBool(); }

void markStale(QLabel* result, bool stale)
{
    if (isStale(result) == stale)
        return;
    result->setProperty(staleProperty, stale);
    const QPalette::ColorRole role = result->foregroundRole();
    if (stale) {
        result->setProperty(ownPaletteProperty, result->testAttribute(Qt::WA_SetPalette));
        result->setProperty(paletteProperty, QVariant::fromValue(result->palette()));
        QPalette grey = result->palette();
        grey.setColor(role, staleGrey);
        result->setPalette(grey);
    } else if (result->palette().color(role) == staleGrey) {
        // A colour written since (a new value out of range) stays.
        result->setPalette(result->property(ownPaletteProperty).toBool() ? result->property(paletteProperty).value<QPalette>()
                                                                        : QPalette());
    }
    result->setAccessibleDescription(stale ? QStringLiteral("veraltet") : QString());
    if (!result->property(heldProperty).toBool())
        result->setAccessibleName(resultName(result));
}
