#ifndef GUI_PAGEMANAGER_IPASSWORDSTORAGE_HPP
#define GUI_PAGEMANAGER_IPASSWORDSTORAGE_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace pagemanager
{
// The access levels a password is checked for.
enum AccessLevel : int32_t
{
    ACCESS_LOCK_FULL = 0,
    ACCESS_LOCK_SETPOINTS = 1,
    ACCESS_USER = 5,
    ACCESS_SERVICE = 13,
    ACCESS_LEVEL2 = 29,
    ACCESS_MASTER = 61,
};

// Compares an entered password with the one of an access level.
class IPasswordStorage
{
public:
    virtual ~IPasswordStorage() {}
    // entered: a 0-terminated UTF-16 text.
    virtual bool checkPassword(int32_t accessLevel, const quillon::WideChar* entered) = 0;
};
} // namespace pagemanager

#endif
