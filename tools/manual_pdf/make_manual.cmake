# SPDX-License-Identifier: GPL-3.0-or-later
# Runs velmorant_manual_pdf with the build's screenshots when the window tests have taken them,
# else with the committed ones. Called by the build with TOOL, MANUAL, BUILD_SCREENSHOTS,
# DOC_SCREENSHOTS and OUTPUT.
if(IS_DIRECTORY "${BUILD_SCREENSHOTS}")
    set(screenshots "${BUILD_SCREENSHOTS}")
else()
    set(screenshots "${DOC_SCREENSHOTS}")
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            "${TOOL}" "${MANUAL}" "${screenshots}" "${OUTPUT}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "velmorant_manual_pdf could not write ${OUTPUT}")
endif()
