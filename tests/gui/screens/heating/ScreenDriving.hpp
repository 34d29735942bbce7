#ifndef TESTS_GUI_SCREENS_HEATING_SCREENDRIVING_HPP
#define TESTS_GUI_SCREENS_HEATING_SCREENDRIVING_HPP

#include "support/screen/AppTestBed.hpp"

#include "model/dpt/DataPointTable.hpp"
#include "model/link/DeviceLink.hpp"

#include <quillon/Drawable.hpp>

#include "guicontrols/Gallery.hpp"

#include <cstdint>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace test
{
// Every write frame the table sends, by device address, while it lives.
class WriteLog
{
public:
    struct Write
    {
        std::uint16_t address;
        std::vector<std::uint8_t> bytes;
    };

    WriteLog()
    {
        writes().clear();
        dptSetSenders(DptSenders{&record, &ignoreRead, &ignoreRead});
    }
    ~WriteLog() { dptSetSenders(linkTableSenders()); }

    static std::vector<Write>& writes()
    {
        static std::vector<Write> log;
        return log;
    }

private:
    static int record(std::uint16_t address, const void* data, std::uint32_t n)
    {
        const std::uint8_t* bytes = static_cast<const std::uint8_t*>(data);
        writes().push_back(Write{address, std::vector<std::uint8_t>(bytes, bytes + n)});
        return 1;
    }
    static int ignoreRead(std::uint16_t) { return 1; }
};

// A user's touch on the middle of a drawable, then a frame.
inline void tap(AppTestBed& app, const quillon::Drawable& target)
{
    const quillon::Rectangle r = target.getAbsoluteRect();
    app.bed.click(static_cast<std::int16_t>(r.x + r.width / 2), static_cast<std::int16_t>(r.y + r.height / 2));
    app.bed.ticks(1);
}
// The frame as a PNG under screen-previews/<family>/ of the build tree; false when unwritten.
inline bool writePreview(AppTestBed& app, const std::string& family, const std::string& name)
{
    mkdir("screen-previews", 0755);
    mkdir(("screen-previews/" + family).c_str(), 0755);
    std::vector<quillon::Color> pixels = app.bed.frame().pixels();
    // The gallery writer puts files under its own folder; step out of it.
    mkdir("widget-gallery", 0755);
    return guicontrols::test::writeGalleryPng("../screen-previews/" + family + "/" + name, 800, 480, pixels);
}
} // namespace test

#endif
