#include "gui/popups/BoardStates.hpp"

#include "helpers/BoardWrappers.hpp"
#include "model/DataModelManager.hpp"

bool BoardStates::isLinkOk()
{
    // The board's first status query is its link state.
    return helpers::queryBoardStatus1() != 0;
}

bool BoardStates::isClockValid()
{
    return model::DataModelManager::getInstance().getTimeManager().isClockValid();
}

BoardStates& BoardStates::board()
{
    static BoardStates states;
    return states;
}
