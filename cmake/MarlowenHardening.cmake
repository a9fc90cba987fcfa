# The hardening Debian builds its packages with (dpkg-buildflags with hardening=+all): fortified C
# library calls where optimising, a stack protector, read-only relocations bound at start-up, and
# position-independent executables. Sanitizer builds go without: they instrument the same calls.
if(NOT MARLOWEN_SANITIZE AND NOT MARLOWEN_TSAN)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong -fstack-clash-protection -fcf-protection
                      -Wformat -Werror=format-security
                      $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
