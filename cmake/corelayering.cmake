# The rules library includes the C++ and POSIX headers, Qt Core and its own headers, nothing else:
# a file under src/core that reaches for Qt Gui, Qt Widgets, Qt Multimedia, sound, the windows or
# any other library fails the build here.
# Run as: cmake -DCORE=<src/core> -DQTCORE=<QtCore's include folder> [-DSTAMP=<file>] -P corelayering.cmake
file(GLOB_RECURSE sources "${CORE}/*.h" "${CORE}/*.cpp")
set(faults "")
foreach(source ${sources})
  file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    set(header "")
    set(allowed FALSE)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(header "${CMAKE_MATCH_1}")
      # Only the rules' own headers, or a header generated beside a rules file (moc output).
      if(header MATCHES "^core/" OR header MATCHES "\\.moc$" OR header MATCHES "^moc_")
        set(allowed TRUE)
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      set(header "${CMAKE_MATCH_1}")
      if(header MATCHES "^QtCore/")
        set(allowed TRUE)
      elseif(header MATCHES "^Qt[A-Za-z]*/")
        set(allowed FALSE)                       # another Qt module, named by its folder
      elseif(header MATCHES "^Q")
        if(EXISTS "${QTCORE}/${header}")         # a Qt header without a folder: QtCore's own only
          set(allowed TRUE)
        endif()
      elseif(NOT header MATCHES "/" OR header MATCHES "^sys/")
        set(allowed TRUE)                        # the C++ library and POSIX
      endif()
    endif()
    if(NOT allowed)
      file(RELATIVE_PATH where "${CORE}/../.." "${source}")
      string(APPEND faults "  ${where}: #include ${header}\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "The rules library (src/core) may include only Qt Core, the C++ and POSIX headers "
                      "and its own headers; these reach further:\n${faults}")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
