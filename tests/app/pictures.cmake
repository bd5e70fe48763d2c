# SPDX-License-Identifier: MIT
gridlark_ui_test(pictures_test ${PROJECT_SOURCE_DIR}/assets/gridlark.qrc)
