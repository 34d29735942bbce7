#ifndef TESTS_MODEL_GROUPS_GROUPINDEXES_HPP
#define TESTS_MODEL_GROUPS_GROUPINDEXES_HPP

#include <cstdint>
#include <vector>

// The table indexes of every group's members in list order, one entry per property (a
// range lists its elements in element order), as the device's value tables give them.
namespace group_indexes
{
using Property = std::vector<std::uint32_t>;
using Members = std::vector<Property>;

inline Property run(std::uint32_t first, std::uint32_t last)
{
    Property indexes;
    for (std::uint32_t index = first; index <= last; ++index) {
        indexes.push_back(index);
    }
    return indexes;
}

inline Members commonGroup()
{
    return {{288}, {267}, {345}, {9}, {12}, {8}, {11}, {13}, {154}, {207}, {275}, {276}, {277}};
}

inline Members faultGroup()
{
    return {run(278, 287), run(298, 307)};
}

inline Members fillingVentingGroup()
{
    return {{354}, {227}};
}

inline Members flueGasSensorGroup()
{
    return {{225}, {953}, {295}, {346}, {212}, {222}, {336}};
}

inline Members lockGroup()
{
    return {{339}};
}

inline Members resetDataGroup()
{
    return {{27}, {20}, {214}, {310}, {253}};
}

inline Members shortQueryGroup()
{
    return {{319}, {4}, {348}, {315}, {2}, {288}, {35}, {38}, {313}, {312}, {314}, {219}, {220}, {39}, {40}, {18},
        {587}, {590}, {588}, {589}, {333}, {92}, {270}, {145}, {271}, {198}, {272}, {36}, {48}};
}

inline Members testOperationGroup()
{
    return {{311}, {294}, {223}, {293}, {221}, {353}, {351}, {347}};
}

inline Members lanGroup()
{
    return {{629}, {630}, {631}, {632}, {633}, {634}, {635}, {636}, {637}, {638}, {639}, {640}, {641}, {642}, {643},
        {644}, {645}, {646}, {647}, {648}, {650}, {649}};
}

inline Members rvGroup()
{
    return {{50}};
}

inline Members generalGroup()
{
    return {{288}, {211}, {217}, {7}, {20}, {310}, {214}, {27}, {28}, {326}, {17}, {290}, {34}, {14}, {291}, {333},
        {41}, {42}, {43}, {327}, {328}, {329}, {44}, {45}, {325}, {46}, {322}, {47}, {323}, {292}, {335}, {213}, {218},
        {236}, {235}, {229}, {230}, {232}, {233}, {231}, {234}, {237}};
}

inline Members hCGroup()
{
    return {{85, 138, 191}, {98, 151, 204}, {91, 144, 197}, {89, 142, 195}, {82, 135, 188}, {75, 128, 181}, {74,
        127, 180}, {87, 140, 193}, {76, 129, 182}, {21, 22, 23}, {77, 130, 183}, {81, 134, 187}, {78, 131, 184}, {95,
        148, 201}, {96, 149, 202}, {79, 132, 185}, {80, 133, 186}, {93, 146, 199}, {94, 147, 200}, {86, 139, 192}, {92,
        145, 198}, {24, 25, 26}};
}

inline Members heatingGroup()
{
    return {{0}, {1}, {349}, {350}, {259}, {352}, {258}, {20}, {21}, {95}, {253}, {211}, {274}, {76, 129, 182}, {77,
        130, 183}, {96, 149, 202}, {95, 148, 201}, {85, 138, 191}, {82, 135, 188}, {83, 136, 189}, {78, 131, 184}, {84,
        137, 190}, {72, 125, 178}, {89, 142, 195}, {98, 151, 204}, {87, 140, 193}, run(51, 57), run(104, 110), run(157,
        163), run(58, 64), run(111, 117), run(164, 170), run(65, 71), run(118, 124), run(171, 177), {79, 132, 185}, {80,
        133, 186}, {224}, {226}};
}

inline Members dHWGroup()
{
    return {{288}, {243}, {242}, {661}, {15}, {238}, {262}, {260}, {261}, {256}, {627}, {255}, {240}, {265}, {264},
        {239}, {10}};
}

inline Members cylinderGroup()
{
    return {{665}, {654}, {661}, {662}, {663}, {664}, {752}, {753}, {754}, {755}, {756}, run(757, 764), run(765,
        772), run(773, 780), run(781, 788), run(789, 796), run(797, 827), run(828, 858), run(859, 889), run(890, 920),
        run(921, 951), run(954, 984), run(985, 1015), run(591, 621), {668}, {667}, {670}, {669}, {296}, {651}, {652},
        {653}, {671}};
}

inline Members iDSolarGroup()
{
    return {{253}, {257}, {666}, {673}, {674}};
}

inline Members solarGroup()
{
    return {{628}, {622}, {624}, {625}, {626}, {627}, {626}, {623}};
}

inline Members energyGroup()
{
    return {run(356, 363), run(364, 416), run(417, 429), {430, 431, 432}, run(433, 440), run(441, 493), run(494,
        506), {507, 508, 509}, run(510, 517), run(518, 570), run(571, 583), {584, 585, 586}, run(675, 682), run(683,
        735), run(736, 748), {749, 750, 751}};
}

} // namespace group_indexes

#endif
