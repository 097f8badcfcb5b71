# Third-party libraries, found once for the whole tree.
find_package(Threads REQUIRED)
find_package(PkgConfig REQUIRED)
find_package(ZLIB REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Network Test Svg)

# 9.0 is the first tinyxml2 that limits the depth of nested elements
# (TINYXML2_MAX_ELEMENT_DEPTH); the readers rely on it against deeply
# nested input.
pkg_check_modules(TINYXML2 REQUIRED IMPORTED_TARGET tinyxml2>=9.0.0)
pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
pkg_check_modules(LIBMSI REQUIRED IMPORTED_TARGET libmsi-1.0)

find_library(HPDF_LIBRARY NAMES hpdf REQUIRED)
find_path(HPDF_INCLUDE_DIR hpdf.h REQUIRED)
add_library(hpdf::hpdf UNKNOWN IMPORTED)
set_target_properties(hpdf::hpdf PROPERTIES IMPORTED_LOCATION ${HPDF_LIBRARY}
                      INTERFACE_INCLUDE_DIRECTORIES ${HPDF_INCLUDE_DIR})

# TNT and JAMA are header-only.
find_path(TNT_INCLUDE_DIR tnt.h PATH_SUFFIXES tnt REQUIRED)
find_path(JAMA_INCLUDE_DIR jama_svd.h PATH_SUFFIXES jama REQUIRED)
add_library(tnt_jama INTERFACE)
target_include_directories(tnt_jama SYSTEM INTERFACE ${TNT_INCLUDE_DIR} ${JAMA_INCLUDE_DIR})

if(SKAT_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()
if(SKAT_BUILD_BENCH)
  find_package(benchmark REQUIRED)
endif()
