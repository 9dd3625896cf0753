#pragma once

#include "print/PrinterChooser.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

// A printer with fixed, machine-independent metrics that only records what is
// drawn: every character is half the font's pixel height wide, a line is 6/5
// of it high, its baseline the pixel height down. Letter paper at 600 dpi with an unprintable strip of 0.25 inch
// left and right and 0.3 inch top and bottom, unless a test changes it.
class RecordingDevice : public qm::PrintDevice
{
public:
    RecordingDevice()
    {
        page.dpiX = 600;
        page.dpiY = 600;
        page.physical = QSize(5100, 6600);
        page.offset = QPoint(150, 180);
        page.printable = QSize(4800, 6240);
    }

    QString printerName() const override { return name; }
    qm::PageGeometry geometry() const override { return page; }
    qm::FontMetrics metrics(const qm::FontSpec &font) const override
    {
        return {font.pixelHeight / 2, font.pixelHeight * 6 / 5, font.pixelHeight / 10, font.pixelHeight};
    }
    int textWidth(const qm::FontSpec &font, const QString &text) const override
    {
        return int(text.size()) * (font.pixelHeight / 2);
    }
    bool canDuplex() const override { return duplexCapable; }
    void setDuplex(int mode) override { duplexMode = mode; }

    QString name = QStringLiteral("Recorder");
    qm::PageGeometry page;
    bool failBegin = false;
    bool failPage = false;
    bool duplexCapable = false;
    int duplexMode = 1;

protected:
    bool doBegin(const QString &) override { return !failBegin; }
    bool doNewPage() override { return !failPage; }
    bool doEnd() override { return true; }
    void doDrawText(const qm::FontSpec &, int, int, const QString &) override {}
};

// Installs itself as the printer chooser while it lives: hands out recording
// devices (or what `make` builds), or nothing when `cancel` is set, and keeps
// every finished document.
class RecordingChooser : public qm::PrinterChooser
{
public:
    RecordingChooser() { m_previous = qm::setPrinterChooser(this); }
    ~RecordingChooser() override { qm::setPrinterChooser(m_previous); }
    RecordingChooser(const RecordingChooser &) = delete;
    RecordingChooser &operator=(const RecordingChooser &) = delete;

    std::unique_ptr<qm::PrintDevice> choosePrinter(QWidget *, const QString &documentName) override
    {
        dialogs << documentName;
        if (cancel)
            return nullptr;
        return build();
    }
    std::unique_ptr<qm::PrintDevice> defaultPrinter(const QString &) override
    {
        ++defaultRequests;
        return noDefault ? nullptr : build();
    }
    void documentPrinted(const qm::PrintedDocument &document) override { printed << document; }

    bool cancel = false;
    bool noDefault = false;
    std::function<std::unique_ptr<qm::PrintDevice>()> make;
    std::function<void(RecordingDevice &)> setUp;
    QStringList dialogs;
    int defaultRequests = 0;
    QList<qm::PrintedDocument> printed;

private:
    std::unique_ptr<qm::PrintDevice> build()
    {
        if (make)
            return make();
        auto device = std::make_unique<RecordingDevice>();
        if (setUp)
            setUp(*device);
        return device;
    }

    qm::PrinterChooser *m_previous = nullptr;
};
