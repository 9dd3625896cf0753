#pragma once

#include "print/PrintDevice.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <memory>
#include <optional>

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
    void setDuplex(int mode) override;

    QPrinter &printer() { return *m_printer; }
    // The font a text asked for in `wanted` is drawn and measured in.
    static QFont font(const FontSpec &wanted);

protected:
    bool doBegin(const QString &name) override;
    bool doNewPage() override;
    bool doEnd() override;
    void doDrawText(const FontSpec &font, int x, int y, const QString &text) override;
    void doDrawPicture(const QImage &picture, const QRect &area) override;

private:
    // The metrics of the font last asked for: a printout asks for the same
    // few fonts and measures most texts just before drawing them.
    const QFontMetrics &metricsOf(const FontSpec &font) const;

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    mutable FontSpec m_lastSpec;
    mutable QFont m_lastFont;
    mutable std::optional<QFontMetrics> m_lastMetrics;
    // The widths of the texts measured in it: a printout measures each of its
    // few status and heading texts again on every line.
    mutable QHash<QString, int> m_widths;
    std::optional<FontSpec> m_painterFont; // the font the painter draws in
};

} // namespace qm
