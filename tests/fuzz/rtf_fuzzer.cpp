// libFuzzer target for the RTF reader: any bytes, read, written and read again.
// Built and run by tools/fuzz.sh.

#include "viewer/rtf/rtfreader.h"
#include "viewer/rtf/rtfwriter.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

// Each table's rows and columns, nested ones after the table around them.
static QString tableShapes(const QTextFrame* frame)
{
    QString shapes;
    for (const QTextFrame* child : frame->childFrames()) {
        if (const auto* table = qobject_cast<const QTextTable*>(child))
            shapes += QString::number(table->rows()) + 'x' + QString::number(table->columns()) + ' ';
        shapes += tableShapes(child);
    }
    return shapes;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument document;
    readRtf(bytes, document);
    QTextDocument again;
    readRtf(writeRtf(document), again);
    // What was read must survive writing and reading again.
    if (again.toPlainText() != document.toPlainText() || tableShapes(again.rootFrame()) != tableShapes(document.rootFrame()))
        std::abort();
    return 0;
}
