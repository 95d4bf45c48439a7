#include "core/station_geometry.h"
