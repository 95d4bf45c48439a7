# SPDX-License-Identifier: GPL-3.0-or-later
# Copies SOURCE to DESTINATION unless DESTINATION already exists.
if(NOT EXISTS "${DESTINATION}")
    file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
