#include "profile.h"

QxSNMPProfile& DefaultProfile()
{
    static QxSNMPProfile profile;
    return profile;
}
