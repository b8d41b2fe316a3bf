# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening a Debian package is expected to have: fortified library calls, stack
# protection, a position-independent program and a read-only relocation table. Only the
# package build asks for it (make package), so the sanitizer and fuzz builds stay as they are.
option(ORBULON_HARDEN "Build with the hardening flags of a Debian package" OFF)
if(ORBULON_HARDEN)
    if(ORBULON_SANITIZE)
        message(FATAL_ERROR "ORBULON_HARDEN and ORBULON_SANITIZE do not go together")
    endif()
    # Fortified calls need an optimised build; every build type but Debug is one.
    add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
    add_link_options(-Wl,-z,relro,-z,now)
endif()
