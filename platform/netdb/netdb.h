#pragma once
// Everything of the network database service in one include.

#include "platform/netdb/app_device.h"
#include "platform/netdb/collection.h"
#include "platform/netdb/command_list.h"
#include "platform/netdb/config_property.h"
#include "platform/netdb/device_behaviour.h"
#include "platform/netdb/device_interface.h"
#include "platform/netdb/device_template.h"
#include "platform/netdb/network.h"
#include "platform/netdb/network_variable.h"
#include "platform/netdb/object_server.h"
#include "platform/netdb/property_reference.h"
#include "platform/netdb/unifex_object.h"
