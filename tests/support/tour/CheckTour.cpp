// The screenshot tour's check (scripts/tour.sh), of one language's folder or of one picture:
//     tour-check <tour folder or picture.bmp> <headless folder> <largest share of differing pixels, in %>
// Prints one line per page that differs more, and the largest share seen on the others;
// fails when a page differs more or a picture is missing.
#include "support/TourCheck.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: tour-check <tour folder or picture> <headless folder> <largest share in %%>\n");
        return 2;
    }
    const double largestShare = std::atof(argv[3]) / 100;
    quillon::test::TourCheck check;
    if (std::filesystem::is_directory(argv[1])) {
        check = quillon::test::checkTour(argv[1], argv[2], largestShare);
    } else {
        quillon::test::checkPicture(argv[1], argv[2], largestShare, check);
    }
    for (const std::string& failure : check.failures) {
        std::printf("tour-check: %s\n", failure.c_str());
    }
    std::printf("tour-check: %s: %d pictures compared, the largest share on a passing page %.2f %% (%s), "
                "in a passing title bar %.2f %%\n",
                argv[1], check.compared, check.largestPassingShare * 100, check.largestPassingPage.c_str(),
                check.largestPassingTitleShare * 100);
    return check.failures.empty() ? 0 : 1;
}
