#include "support/screen/AppTestBed.hpp"
#include "support/screen/RoadWalk.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <deque>
#include <map>
#include <set>
#include <vector>

// Finds the shortest click roads from start-up to the page objects by trying every touchable
// widget of each screen reached; prints them in the road table's form. Run by hand when the
// tree or the layout changes:
//     test_gui --gtest_also_run_disabled_tests --gtest_filter='*FindRoads*'
// QUILLON_ROAD_FROM="x,y[,frames] ..." starts every road with those touches, for pages that lie
// deeper than the search goes from start-up (the wizard's scheme and what it opens).
namespace
{
const int GRID = 10;
const uint32_t MAX_DEPTH = 10;
const uint32_t STATES_PER_PAGE = 6;

int pageIndexOf(test::AppTestBed& shell)
{
    pagemanager::Page* current = shell.pageManager().getCurrentPage();
    for (uint16_t i = 0; i < Pages::PAGE_OBJECT_COUNT; ++i) {
        if (shell.pages().all()[i] == current) {
            return current->getId() == shell.app.getShownPageId() ? i : -1;
        }
    }
    return -1;
}

// The content below the top bar, where the clock is, as a fingerprint of what the screen shows.
uint64_t contentHash(test::AppTestBed& shell)
{
    uint64_t hash = 1469598103934665603ull;
    for (int16_t y = 72; y < 480; y += 2) {
        for (int16_t x = 0; x < 800; x += 2) {
            hash = (hash ^ shell.bed.frame().at(x, y)) * 1099511628211ull;
        }
    }
    return hash;
}

std::vector<roads::Point> touchTargets(test::AppTestBed& shell)
{
    std::vector<roads::Point> targets;
    quillon::Screen* screen = shell.app.getCurrentScreen();
    if (screen == nullptr) {
        return targets;
    }
    std::set<quillon::Drawable*> seen;
    for (int y = GRID / 2; y < 480; y += GRID) {
        for (int x = GRID / 2; x < 800; x += GRID) {
            quillon::Drawable* hit = nullptr;
            screen->getRootContainer().findTouchableAt(int16_t(x), int16_t(y), &hit);
            if (hit == nullptr || !seen.insert(hit).second) {
                continue;
            }
            const quillon::Rectangle area = hit->getAbsoluteRect();
            roads::Point centre{int16_t(area.x + area.width / 2), int16_t(area.y + area.height / 2)};
            quillon::Drawable* atCentre = nullptr;
            screen->getRootContainer().findTouchableAt(centre.x, centre.y, &atCentre);
            const bool onDisplay = centre.x >= 0 && centre.x < 800 && centre.y >= 0 && centre.y < 480;
            targets.push_back(atCentre == hit && onDisplay ? centre : roads::Point{int16_t(x), int16_t(y)});
        }
    }
    return targets;
}

std::vector<roads::Point> startingTouches()
{
    std::vector<roads::Point> touches;
    const char* from = std::getenv("QUILLON_ROAD_FROM");
    std::istringstream words(from != nullptr ? from : "");
    std::string word;
    while (words >> word) {
        roads::Point p{0, 0};
        unsigned frames = roads::TOUCH_FRAMES;
        int x = 0;
        int y = 0;
        if (std::sscanf(word.c_str(), "%d,%d,%u", &x, &y, &frames) >= 2) {
            p.x = int16_t(x);
            p.y = int16_t(y);
            p.frames = frames;
            touches.push_back(p);
        }
    }
    return touches;
}

TEST(RoadFinder, DISABLED_FindRoads)
{
    struct State
    {
        std::vector<roads::Point> clicks;
    };
    std::map<int, std::vector<roads::Point>> found;
    std::map<int, std::set<uint64_t>> statesOfPage;
    const std::vector<roads::Point> start = startingTouches();
    std::deque<State> queue{State{start}};
    while (!queue.empty()) {
        const State state = queue.front();
        queue.pop_front();
        std::vector<roads::Point> targets;
        {
            test::AppTestBed shell;
            shell.bed.frame().setCounting(false);
            roads::walk(shell, state.clicks.data(), uint32_t(state.clicks.size()));
            targets = touchTargets(shell);
        }
        for (const roads::Point& target : targets) {
            std::vector<roads::Point> clicks = state.clicks;
            test::AppTestBed shell;
            shell.bed.frame().setCounting(false);
            roads::walk(shell, clicks.data(), uint32_t(clicks.size()));
            // A splash after the touch: wait until the page it decides on is drawn.
            roads::Point touch = target;
            shell.bed.click(touch.x, touch.y);
            shell.bed.ticks(touch.frames);
            while (shell.app.getShownPageId() == 52 && touch.frames < 600) {
                shell.bed.ticks(1);
                ++touch.frames;
            }
            if (touch.frames > roads::TOUCH_FRAMES) {
                shell.bed.ticks(2);
                touch.frames += 2;
            }
            clicks.push_back(touch);
            const int index = pageIndexOf(shell);
            if (index < 0) {
                continue;
            }
            if (found.find(index) == found.end()) {
                found[index] = clicks;
            }
            std::set<uint64_t>& states = statesOfPage[index];
            if (clicks.size() < start.size() + MAX_DEPTH && states.size() < STATES_PER_PAGE && states.insert(contentHash(shell)).second) {
                queue.push_back(State{clicks});
            }
        }
    }
    for (const auto& road : found) {
        const roads::Road& row = roads::table()[road.first];
        std::printf("    // %s (page id %u)\n", row.page, unsigned(row.pageId));
        std::printf("    {%d, {", road.first);
        for (const roads::Point& p : road.second) {
            if (p.frames == roads::TOUCH_FRAMES) {
                std::printf("{%d, %d}, ", p.x, p.y);
            } else {
                std::printf("{%d, %d, %u}, ", p.x, p.y, p.frames);
            }
        }
        std::printf("}},\n");
    }
}
} // namespace
