#ifndef GUI_COMMON_FUNCTORS_HPP
#define GUI_COMMON_FUNCTORS_HPP

#include "gui/common/HeatingTitleFunctor.hpp"
#include "gui/common/TitleFunctor.hpp"

// The title functors every view shares.
class Functors
{
public:
    static Functors& getInstance()
    {
        static Functors functors;
        return functors;
    }

    TitleFunctor plain;
    HeatingTitleFunctor heating;
};

#endif
