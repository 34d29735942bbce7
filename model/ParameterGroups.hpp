#ifndef MODEL_PARAMETERGROUPS_HPP
#define MODEL_PARAMETERGROUPS_HPP

#include "model/groups/CommonGroup.hpp"
#include "model/groups/CylinderGroup.hpp"
#include "model/groups/DHWGroup.hpp"
#include "model/groups/EnergyGroup.hpp"
#include "model/groups/FaultGroup.hpp"
#include "model/groups/FillingVentingGroup.hpp"
#include "model/groups/FlueGasSensorGroup.hpp"
#include "model/groups/GeneralGroup.hpp"
#include "model/groups/HCGroup.hpp"
#include "model/groups/HeatingGroup.hpp"
#include "model/groups/IDSolarGroup.hpp"
#include "model/groups/LanGroup.hpp"
#include "model/groups/LockGroup.hpp"
#include "model/groups/ResetDataGroup.hpp"
#include "model/groups/RvGroup.hpp"
#include "model/groups/ShortQueryGroup.hpp"
#include "model/groups/SolarGroup.hpp"
#include "model/groups/TestOperationGroup.hpp"
#include "model/rpc/RPCGroup.hpp"
#include "model/settings/SettingsGroup.hpp"

namespace model
{
// Every device value, function call and setting of the panel, constructed once in this
// order; nothing is allocated afterwards.
struct ParameterGroups
{
    CommonGroup common;
    CylinderGroup cylinder;
    DHWGroup dhw;
    EnergyGroup energy;
    FaultGroup fault;
    FillingVentingGroup fillingVenting;
    FlueGasSensorGroup flueGasSensor;
    GeneralGroup general;
    HCGroup hc;
    HeatingGroup heating;
    IDSolarGroup idSolar;
    LanGroup lan;
    LockGroup lock;
    ResetDataGroup resetData;
    RPCGroup rpc;
    SettingsGroup settings;
    ShortQueryGroup shortQuery;
    SolarGroup solar;
    TestOperationGroup testOperation;
    RvGroup rv;
};
} // namespace model

#endif
