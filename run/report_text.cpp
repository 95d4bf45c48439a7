#include "run/report_text.h"
