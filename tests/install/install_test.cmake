# Installs the build into a temporary DESTDIR and runs the installed kelvora-cli as a user
# would: from another folder, with a fresh home. Its report equals the build tree's; a
# reference file the user changed is read from the user's copy; the installation is never
# written to.
# -DBUILD_DIR=… -DSOURCE_DIR=… -DWORK_DIR=…
file(REMOVE_RECURSE ${WORK_DIR})
set(root ${WORK_DIR}/root)
set(home ${WORK_DIR}/home)
set(elsewhere ${WORK_DIR}/elsewhere)
file(MAKE_DIRECTORY ${home} ${elsewhere})

function(check_run result what)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result})")
  endif()
endfunction()

execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE result OUTPUT_QUIET)
check_run("${result}" "cmake --install")

set(prefix ${root}/usr)
set(wanted bin/kelvora bin/kelvora-cli share/kelvora/kelvora.dat share/kelvora/kelvora.cli
    share/kelvora/kelvora.cst share/applications/kelvora.desktop share/mime/packages/kelvora.xml
    share/icons/hicolor/scalable/apps/kelvora.svg share/icons/hicolor/48x48/apps/kelvora.png
    share/man/man1/kelvora-cli.1)
# Every example, and the English twin of each document in en/.
file(GLOB examples RELATIVE ${SOURCE_DIR}/examples ${SOURCE_DIR}/examples/*.vtp ${SOURCE_DIR}/examples/*.csv)
foreach(example IN LISTS examples)
  list(APPEND wanted share/kelvora/examples/${example})
  if(example MATCHES "\\.vtp$")
    list(APPEND wanted share/kelvora/examples/en/${example})
  endif()
endforeach()
foreach(installed IN LISTS wanted)
  if(NOT EXISTS ${prefix}/${installed})
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()

function(checksums out)
  file(GLOB_RECURSE files ${root}/*)
  set(sums)
  foreach(f IN LISTS files)
    file(SHA256 ${f} sum)
    list(APPEND sums "${f}=${sum}")
  endforeach()
  set(${out} "${sums}" PARENT_SCOPE)
endfunction()
checksums(before)

# A user without a session or settings; the messages in Czech, as the build tree's tests.
set(user_env --unset=XDG_CONFIG_HOME --unset=XDG_DATA_HOME --unset=XDG_RUNTIME_DIR HOME=${home}
  LC_ALL=cs_CZ.UTF-8 QT_QPA_PLATFORM=offscreen)
set(example ${SOURCE_DIR}/examples/heatloss-pipe.vtp)
function(report program out err)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${user_env} ${program} report ${example}
    WORKING_DIRECTORY ${elsewhere} RESULT_VARIABLE result OUTPUT_VARIABLE text ERROR_VARIABLE said)
  check_run("${result}" "${program} report")
  set(${out} "${text}" PARENT_SCOPE)
  set(${err} "${said}" PARENT_SCOPE)
endfunction()

report(${prefix}/bin/kelvora-cli installed said)
report(${BUILD_DIR}/bin/kelvora-cli built ignored)
if(NOT installed STREQUAL built)
  message(FATAL_ERROR "the installed program reports otherwise than the build tree:\n${installed}\n---\n${built}")
endif()
if(NOT said STREQUAL "")
  message(FATAL_ERROR "the installed program wrote to stderr: ${said}")
endif()

# The user changes the standard database (every product conducts worse): the user's copy.
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${user_env} ${prefix}/bin/kelvora-cli db dump
  ${prefix}/share/kelvora/kelvora.dat RESULT_VARIABLE result OUTPUT_VARIABLE json)
check_run("${result}" "db dump")
string(REGEX REPLACE "\"lambdaCoeff0\": [0-9.e+-]+" "\"lambdaCoeff0\": 0.08" json "${json}")
file(WRITE ${WORK_DIR}/changed.json "${json}")
set(copy "${home}/.local/share/Mirelta/Kelvora®/kelvora.dat")
file(MAKE_DIRECTORY "${home}/.local/share/Mirelta/Kelvora®")
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${user_env} ${prefix}/bin/kelvora-cli db build
  ${WORK_DIR}/changed.json ${copy} RESULT_VARIABLE result)
check_run("${result}" "db build")
report(${prefix}/bin/kelvora-cli changed said)
if(changed STREQUAL installed)
  message(FATAL_ERROR "the installed program did not read the user's copy of the database")
endif()

checksums(after)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "the installation was written to")
endif()
message(STATUS "installed under ${prefix}: same report, the user's copy read, nothing written")
