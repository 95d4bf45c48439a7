#include "core/horizon.h"
