#include "gui/pagemanager/NullPopupManager.hpp"

namespace pagemanager
{
NullPopupManager& NullPopupManager::getInstance()
{
    static NullPopupManager instance; // built on first use, gone at exit
    return instance;
}
} // namespace pagemanager
