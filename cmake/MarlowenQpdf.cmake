# libqpdf as the imported target PkgConfig::QPDF: the engine encrypts PDFs with AES through it (libharu
# has only RC4), and the tests read PDFs back with it.
find_package(PkgConfig REQUIRED)
pkg_check_modules(QPDF REQUIRED IMPORTED_TARGET libqpdf)
