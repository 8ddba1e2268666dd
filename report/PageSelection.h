#pragma once
// Only some pages of a document onto a device: the pages the print dialog's
// page range asked for. The report is still laid out whole, so its page
// numbers and breaks stay those of the whole report; the other pages are
// drawn into nothing.

#include "report/Surface.h"

#include <functional>

namespace torval {

class PageSelection final : public Surface {
public:
    using Wanted = std::function<bool(int page)>;

    PageSelection(Surface& device, Wanted wanted) : m_device(device), m_wanted(std::move(wanted)) { }

    [[nodiscard]] int width() const override { return m_device.width(); }
    [[nodiscard]] int height() const override { return m_device.height(); }
    [[nodiscard]] Rgb background() const override { return m_device.background(); }
    void clear() override
    {
        if (shown())
            m_device.clear();
    }
    void setColor(Rgb color) override { m_device.setColor(color); }
    [[nodiscard]] Rgb color() const override { return m_device.color(); }
    void setLineWidth(int dots) override { m_device.setLineWidth(dots); }
    [[nodiscard]] int lineWidth() const override { return m_device.lineWidth(); }
    void setFont(const FontSpec& font) override { m_device.setFont(font); }
    [[nodiscard]] FontSpec font() const override { return m_device.font(); }
    void fillRect(int x1, int y1, int x2, int y2) override
    {
        if (shown())
            m_device.fillRect(x1, y1, x2, y2);
    }
    void drawLine(int x1, int y1, int x2, int y2) override
    {
        if (shown())
            m_device.drawLine(x1, y1, x2, y2);
    }
    [[nodiscard]] TextSize measureText(const QString& text, const FontSpec& font) const override
    {
        return m_device.measureText(text, font);
    }
    void drawText(int x, int y, const QString& text) override
    {
        if (shown())
            m_device.drawText(x, y, text);
    }
    void drawPicture(int x, int y, const Picture& picture) override
    {
        if (shown())
            m_device.drawPicture(x, y, picture);
    }
    void newPage() override
    {
        ++m_page;
        // The device starts on a page of its own; it gets another only
        // between two pages that are printed.
        if (m_wanted(m_page) && m_devicePageUsed)
            m_device.newPage();
    }

private:
    bool shown()
    {
        if (!m_wanted(m_page))
            return false;
        m_devicePageUsed = true;
        return true;
    }

    Surface& m_device;
    Wanted m_wanted;
    int m_page = 1;
    bool m_devicePageUsed = false;
};

} // namespace torval
