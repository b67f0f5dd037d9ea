# The window tests built for Windows: the same programs as on Linux, run under Wine on the
# virtual X display that scripts/test-windows starts (ARMOURSMITH_WINE_DISPLAY), on Qt's own
# `windows` platform. One ctest test per program: under Wine every start of a test program
# costs a second or more, which listing the tests and running each alone would pay fifty times.

# Without a window manager on the virtual display Wine waits two seconds for one whenever a
# window it left to the manager is hidden, which every test does; windows that Wine places
# itself, as Windows does, wait for nothing. Set for the test programs alone.
foreach(program window_tests qt_language_tests)
  add_test(NAME wine_places_${program}_windows
           COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} reg add
                   "HKCU\\Software\\Wine\\AppDefaults\\${program}.exe\\X11 Driver"
                   /v Managed /d N /f)
  set_tests_properties(wine_places_${program}_windows PROPERTIES FIXTURES_SETUP wine_test_windows)
endforeach()

add_test(NAME window_tests COMMAND window_tests)
set_tests_properties(window_tests PROPERTIES LABELS windows FIXTURES_REQUIRED wine_test_windows)

# The layout once more at scale factors 1.5 and 2 (cmake/wine-run hands QT_SCALE_FACTOR on).
foreach(factor 1.5 2)
  add_test(NAME layout_scale_${factor}
           COMMAND window_tests --gtest_filter=*LayoutStaysWholeAndSharpAtTheScaleFactor)
  set_tests_properties(layout_scale_${factor} PROPERTIES ENVIRONMENT "QT_SCALE_FACTOR=${factor}"
    LABELS windows FIXTURES_REQUIRED wine_test_windows)
endforeach()

# Qt's own texts in another language, from the translations the program carries on Windows.
# The German desktop's test is left out: Wine takes Windows' display language from a Unix
# locale, which the test machine would have to generate; the right-to-left test loads the
# translations the same way, for a language it sets itself.
add_test(NAME qt_language_tests
         COMMAND qt_language_tests --gtest_filter=-*GermanDesktopGetsGermanMenusAndTheSameScript)
set_tests_properties(qt_language_tests PROPERTIES LABELS windows
  FIXTURES_REQUIRED wine_test_windows)

# Left out on Windows, each for its reason:
# - no_display: a Windows program always has a desktop to open its windows on.
# - command_line: it runs the Linux program's options and windows; the Windows program's
#   are checked through armoursmith.com under Wine.
# - x11_session, wayland_session: Linux desktop sessions, driven over AT-SPI.
# - order_of_growth: counted by callgrind, which runs Linux programs only; the work grows the
#   same way in the same code on both.
