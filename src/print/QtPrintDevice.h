#pragma once

#include "print/PrintDevice.h"

#include <QFont>
#include <QPainter>

#include <memory>

class QPrinter;

namespace qm {

// A real printer (or Qt's PDF writer) drawn on with QPainter. Positions are
// printer pixels from the top-left corner of the printable area; the sheet and
// its printable area come from the printer's page layout.
class QtPrintDevice : public PrintDevice
{
public:
    explicit QtPrintDevice(std::unique_ptr<QPrinter> printer);
    ~QtPrintDevice() override;

    QString printerName() const override;
    PageGeometry geometry() const override;
    FontMetrics metrics(const FontSpec &font) const override;
    int textWidth(const FontSpec &font, const QString &text) const override;
    bool canDuplex() const override;
    int duplex() const override;
    void setDuplex(int mode) override;

    QPrinter &printer() { return *m_printer; }
    // The font a text asked for in `wanted` is drawn and measured in.
    static QFont font(const FontSpec &wanted);

protected:
    bool doBegin(const QString &name) override;
    bool doNewPage() override;
    bool doEnd() override;
    void doDrawText(const FontSpec &font, int x, int y, const QString &text) override;

private:
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
};

} // namespace qm
