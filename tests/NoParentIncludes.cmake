# Fails when a source of the project includes a file through "../": such an
# include reaches a folder past the floors' include roots, so no floor could
# refuse it.
set(climbing)
foreach(folder runtime files registry fonts forms windows main app resources tests benchmarks fuzz tools)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.rc)
  foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\./")
    if(lines)
      list(APPEND climbing "${source}: ${lines}")
    endif()
  endforeach()
endforeach()
if(climbing)
  string(REPLACE ";" "\n" climbing "${climbing}")
  message(FATAL_ERROR "includes that climb with ../:\n${climbing}")
endif()
