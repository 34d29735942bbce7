#ifndef QUILLON_TEST_TOURCHECK_HPP
#define QUILLON_TEST_TOURCHECK_HPP

#include <string>
#include <vector>

namespace quillon
{
namespace test
{
// The screenshot tour's check of one language: every tour picture <id>-<page>.bmp beside the
// headless picture of the same page (<id>-<page>.png, else <id>-<any page>.png, drawn by the
// all-pages test). The
// running program differs from the headless drawing in small areas (the clock, live values,
// the simulator's swinging temperatures); a road that ends elsewhere differs in a large share,
// or, where two pages share a layout (two tile menus), in its title.
// The title bar's left part: the clock, and on the history details pages the day shown,
// stand right of it and follow the host's date, where the headless pictures hold a fixed one.
const int TITLE_LEFT = 0;
const int TITLE_WIDTH = 440;
const int TITLE_HEIGHT = 70;
const double LARGEST_TITLE_SHARE = 0.005;

// Areas drawn from the host's time of day, which the headless pictures hold fixed, are left out:
// the stratification chart's simulated bands and its hour axis move with the hour (9.2 % of the
// page nine hours apart). The rest of the page, its title included, is still compared.
struct HostTimeArea
{
    const char* page;
    int left;
    int top;
    int width;
    int height;
};
const HostTimeArea HOST_TIME_AREAS[] = {{"stratificationPage", 100, 115, 540, 285}};

struct TourCheck
{
    int compared = 0;
    std::vector<std::string> failures; // one line per page, naming it
    double largestPassingShare = 0;    // 0..1
    std::string largestPassingPage;
    double largestPassingTitleShare = 0;
};

// One tour picture, added to the check.
void checkPicture(const std::string& tourPicture, const std::string& headlessFolder, double largestShare, TourCheck& check);
// Every tour picture of the folder.
TourCheck checkTour(const std::string& tourFolder, const std::string& headlessFolder, double largestShare);
} // namespace test
} // namespace quillon

#endif
