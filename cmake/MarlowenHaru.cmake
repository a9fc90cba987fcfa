# libharu as the imported target hpdf::hpdf (Debian ships no CMake package for it), with zlib.
find_package(ZLIB REQUIRED)
find_library(HPDF_LIBRARY NAMES hpdf REQUIRED)
find_path(HPDF_INCLUDE_DIR hpdf.h REQUIRED)
add_library(hpdf::hpdf UNKNOWN IMPORTED)
set_target_properties(hpdf::hpdf PROPERTIES IMPORTED_LOCATION ${HPDF_LIBRARY}
                      INTERFACE_INCLUDE_DIRECTORIES ${HPDF_INCLUDE_DIR} INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
