#pragma once
// A frame window for form tests: it only keeps the status line, and says whether it is
// closing for good (then a form that otherwise only hides really closes).

#include "platform/mdichild.h"

#include <QString>

struct FakeFrame : FrameServices {
    QString text;
    bool forGood = false;

    FakeFrame() = default;
    explicit FakeFrame(QString statusLine, bool closing = false)
        : text(std::move(statusLine)), forGood(closing)
    {
    }
    void setStatus(const QString& t) override { text = t; }
    QString status() const override { return text; }
    bool closingForGood() const override { return forGood; }
};
