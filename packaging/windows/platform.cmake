# The Windows build. Every program and test lands in bin/ beside the DLLs, the
# plugins, the fonts and the translations it needs, laid out as the installed
# program has them, so a test runs exactly as the program does. Cross-compiled,
# CTest runs them under Wine (packaging/windows/wine-run.sh) in the build's own
# Wine prefix.

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine)
endif()

# Every file the program needs besides itself: copied into bin/ for the tests
# and the build's own runs, and installed (not TESTS_ONLY) where the program
# looks for it. Qt finds its plugins and translations beside a Qt6Core.dll that
# has no Qt build around it.
set_property(GLOBAL PROPERTY SETSDRILL_RUNTIME_FILES "")
add_custom_target(windows_runtime ALL)
function(setsdrill_runtime_file file)
  cmake_parse_arguments(PARSE_ARGV 1 arg "TESTS_ONLY" "DESTINATION" "")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "The Windows build needs ${file}")
  endif()
  get_filename_component(name ${file} NAME)
  set(dir ${CMAKE_BINARY_DIR}/bin)
  set(installed .)
  if(arg_DESTINATION)
    string(APPEND dir /${arg_DESTINATION})
    set(installed ${arg_DESTINATION})
  endif()
  # DLLs without their symbols: a third of the size, nothing the program uses.
  if(name MATCHES "\\.dll$" AND CMAKE_STRIP)
    set(copy ${CMAKE_STRIP} --strip-unneeded -o ${dir}/${name} ${file})
  else()
    set(copy ${CMAKE_COMMAND} -E copy ${file} ${dir}/${name})
  endif()
  add_custom_command(OUTPUT ${dir}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${copy}
    DEPENDS ${file} VERBATIM)
  string(MAKE_C_IDENTIFIER "runtime_${installed}_${name}" step)
  add_custom_target(${step} DEPENDS ${dir}/${name})
  add_dependencies(windows_runtime ${step})
  if(NOT arg_TESTS_ONLY)
    install(FILES ${dir}/${name} DESTINATION ${installed})
    set_property(GLOBAL APPEND PROPERTY SETSDRILL_RUNTIME_FILES ${installed}/${name})
  endif()
endfunction()

function(setsdrill_imported_file out target)
  get_target_property(configs ${target} IMPORTED_CONFIGURATIONS)
  list(GET configs 0 config)
  get_target_property(file ${target} IMPORTED_LOCATION_${config})
  set(${out} ${file} PARENT_SCOPE)
endfunction()

# Qt: the three libraries, the Windows platform plugin and the Windows style.
foreach(lib Core Gui Widgets)
  setsdrill_imported_file(file Qt6::${lib})
  setsdrill_runtime_file(${file})
endforeach()
setsdrill_imported_file(file Qt6::QWindowsIntegrationPlugin)
setsdrill_runtime_file(${file} DESTINATION platforms)
setsdrill_imported_file(file Qt6::QWindowsVistaStylePlugin)
setsdrill_runtime_file(${file} DESTINATION styles)
if(BUILD_TESTING)
  find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
  setsdrill_imported_file(file Qt6::Test)
  setsdrill_runtime_file(${file} TESTS_ONLY)
  setsdrill_imported_file(file Qt6::QOffscreenIntegrationPlugin)
  setsdrill_runtime_file(${file} TESTS_ONLY DESTINATION platforms)
endif()

# The compiler's own runtime, which Qt's DLLs and the program link.
if(NOT MSVC)
  foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE file OUTPUT_STRIP_TRAILING_WHITESPACE)
    setsdrill_runtime_file(${file})
  endforeach()
endif()

# The free faces app/fonts.cpp falls back to where Windows lacks the stored
# ones (Wine has none of them): Latin and Arabic, regular and bold.
set(SETSDRILL_FONT_DIRS /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/noto
    CACHE STRING "Where the build machine keeps the free fonts the Windows program carries")
foreach(face LiberationSans-Regular LiberationSans-Bold LiberationSerif-Regular LiberationSerif-Bold
             NotoSansArabicUI-Regular NotoSansArabicUI-Bold NotoNaskhArabicUI-Regular NotoNaskhArabicUI-Bold)
  find_file(SETSDRILL_FONT_${face} ${face}.ttf PATHS ${SETSDRILL_FONT_DIRS} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  setsdrill_runtime_file(${SETSDRILL_FONT_${face}} DESTINATION fonts)
endforeach()

# Qt's own Arabic texts (buttons of message boxes, context menus), from the
# build machine's Qt of the same version.
find_file(SETSDRILL_QT_ARABIC qtbase_ar.qm PATHS /usr/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
setsdrill_runtime_file(${SETSDRILL_QT_ARABIC} DESTINATION translations)
