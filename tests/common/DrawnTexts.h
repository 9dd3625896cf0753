#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QStringList>
#include <QWidget>

// The texts a widget and its children draw, as they draw them (whole or cut
// short), in the order they draw them.
inline QStringList drawnTexts(QWidget *widget)
{
    class Engine : public QPaintEngine
    {
    public:
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath &) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
        Type type() const override { return QPaintEngine::User; }
        QStringList texts;
    };
    class Device : public QPaintDevice
    {
    public:
        explicit Device(QSize size) : m_size(size) {}
        QPaintEngine *paintEngine() const override { return &engine; }
        int metric(PaintDeviceMetric metric) const override
        {
            if (metric == PdmWidth || metric == PdmHeight)
                return metric == PdmWidth ? m_size.width() : m_size.height();
            if (metric == PdmDevicePixelRatioScaled)
                return int(devicePixelRatioFScale());
            return metric == PdmDepth ? 32 : metric == PdmDevicePixelRatio || metric == PdmNumColors ? 1 : 96;
        }
        mutable Engine engine;

    private:
        QSize m_size;
    };
    Device device(widget->size());
    widget->render(&device);
    return device.engine.texts;
}
