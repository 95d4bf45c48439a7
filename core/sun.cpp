#include "core/sun.h"
