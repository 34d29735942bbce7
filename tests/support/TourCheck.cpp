#include "TourCheck.hpp"

#include "PictureFile.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace quillon
{
namespace test
{
namespace
{
namespace fs = std::filesystem;

std::string percent(double share)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%.2f %%", share * 100);
    return text;
}

// The headless picture of the same page object ("14-settingsMenuPage.png"), else the one of the
// same page id ("14-*.png"); "" when none.
std::string headlessPicture(const std::string& headlessFolder, const std::string& idPrefix, const std::string& page)
{
    const fs::path own = fs::path(headlessFolder) / (idPrefix + page + ".png");
    if (fs::exists(own)) {
        return own.string();
    }
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(headlessFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, idPrefix.size(), idPrefix) == 0 && entry.path().extension() == ".png") {
            return entry.path().string();
        }
    }
    return "";
}
} // namespace

void checkPicture(const std::string& tourPicture, const std::string& headlessFolder, double largestShare, TourCheck& check)
{
    const fs::path path(tourPicture);
    const std::string name = path.stem().string(); // <id>-<page>
    const std::string::size_type dash = name.find('-');
    if (dash == std::string::npos) {
        check.failures.push_back(name + ": not named <page id>-<page>");
        return;
    }
    const std::string page = name.substr(dash + 1);
    const std::string id = name.substr(0, dash);
    const std::string headless = headlessPicture(headlessFolder, id + "-", page);
    Picture shown;
    Picture expected;
    if (!readBmp(path.string(), shown)) {
        check.failures.push_back(page + " (page id " + id + "): unreadable tour picture " + path.string());
        return;
    }
    if (headless.empty() || !readPng(headless, expected)) {
        check.failures.push_back(page + " (page id " + id + "): no headless picture in " + headlessFolder);
        return;
    }
    ++check.compared;
    for (const HostTimeArea& area : HOST_TIME_AREAS) {
        if (page == area.page && shown.width == expected.width && shown.height == expected.height &&
            area.left + area.width <= shown.width && area.top + area.height <= shown.height) {
            for (int y = area.top; y < area.top + area.height; ++y) {
                const size_t row = static_cast<size_t>(y) * shown.width;
                std::copy(expected.pixels.begin() + row + area.left, expected.pixels.begin() + row + area.left + area.width,
                          shown.pixels.begin() + row + area.left);
            }
        }
    }
    const double share = differingShare(shown, expected);
    const double titleShare = differingShare(shown, expected, TITLE_LEFT, 0, TITLE_WIDTH, TITLE_HEIGHT);
    const std::string against = page + " (page id " + id + "): differs from " + fs::path(headless).filename().string();
    if (share > largestShare) {
        check.failures.push_back(against + " in " + percent(share) + " of its pixels, more than " + percent(largestShare));
    } else if (titleShare > LARGEST_TITLE_SHARE) {
        check.failures.push_back(against + " in " + percent(titleShare) + " of its title bar, more than " +
                                 percent(LARGEST_TITLE_SHARE));
    } else {
        if (share >= check.largestPassingShare) {
            check.largestPassingShare = share;
            check.largestPassingPage = page;
        }
        check.largestPassingTitleShare = std::max(check.largestPassingTitleShare, titleShare);
    }
}

TourCheck checkTour(const std::string& tourFolder, const std::string& headlessFolder, double largestShare)
{
    TourCheck check;
    std::vector<fs::path> pictures;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(tourFolder, error)) {
        if (entry.path().extension() == ".bmp") {
            pictures.push_back(entry.path());
        }
    }
    std::sort(pictures.begin(), pictures.end());
    for (const fs::path& path : pictures) {
        checkPicture(path.string(), headlessFolder, largestShare, check);
    }
    if (error || pictures.empty()) {
        check.failures.push_back("no tour pictures in " + tourFolder);
    }
    return check;
}
} // namespace test
} // namespace quillon
