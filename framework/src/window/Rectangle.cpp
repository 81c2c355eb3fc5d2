#include "rb/Rectangle.h"

#include "core/ScreenScale.h"
#include "rb/PropertyTable.h"
#include "window/ControlWidget.h"

#include <QPainter>

namespace rb {
namespace {

class RectangleWidget : public QWidget {
public:
    RectangleWidget(const Rectangle& shape, QWidget* parent) : QWidget(parent), shape_(shape) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int border = std::clamp(ScreenScale::Length(shape_.BorderWidth()), 0, std::min(width(), height()) / 2);
        painter.fillRect(rect(), QColor::fromRgb(shape_.FillColor()));
        const QColor topLeft = QColor::fromRgb(shape_.TopLeftColor());
        const QColor bottomRight = QColor::fromRgb(shape_.BottomRightColor());
        painter.fillRect(0, 0, width(), border, topLeft);
        painter.fillRect(0, 0, border, height(), topLeft);
        painter.fillRect(0, height() - border, width(), border, bottomRight);
        painter.fillRect(width() - border, 0, border, height(), bottomRight);
    }

private:
    const Rectangle& shape_;
};

} // namespace

void Rectangle::FillColor(std::uint32_t rgb)
{
    fill_ = rgb;
    UpdateWidget();
}

void Rectangle::BorderWidth(std::int32_t width)
{
    borderWidth_ = width;
    UpdateWidget();
}

void Rectangle::TopLeftColor(std::uint32_t rgb)
{
    topLeft_ = rgb;
    UpdateWidget();
}

void Rectangle::BottomRightColor(std::uint32_t rgb)
{
    bottomRight_ = rgb;
    UpdateWidget();
}

void Rectangle::MakeWidget()
{
    ControlWidget::Attach(*this, new RectangleWidget(*this, ControlWidget::ParentFor(*this)));
}

void Rectangle::UpdateWidget()
{
    Refresh();
}

void Rectangle::DescribeProperties(PropertyTable& table)
{
    RectControl::DescribeProperties(table);
    table.Color("FillColor", [this](std::uint32_t v) { FillColor(v); });
    table.Integer("BorderWidth", [this](std::int32_t v) { BorderWidth(v); });
    table.Color("TopLeftColor", [this](std::uint32_t v) { TopLeftColor(v); });
    table.Color("BottomRightColor", [this](std::uint32_t v) { BottomRightColor(v); });
}

} // namespace rb
