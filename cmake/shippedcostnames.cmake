# The English names of the shipped cost presets. The cost file has no room for them, so
# they are built into the program from data/costs.json: `target` gets the include
# "shippedcostnames.inc", which defines kShippedCostNames, pairs of the Czech name as the
# file stores it and the English name to show.
function(kelvora_shipped_cost_names target json)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${json})
  file(READ ${json} text)
  string(JSON count ERROR_VARIABLE error LENGTH "${text}" presets)
  if(error)
    message(FATAL_ERROR "${json}: ${error}")
  endif()
  set(entries "")
  if(count GREATER 0)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
      foreach(key name nameEn)
        string(JSON ${key} ERROR_VARIABLE error GET "${text}" presets ${i} ${key})
        if(error)
          message(FATAL_ERROR "${json}: preset ${i} has no ${key}")
        endif()
        string(REPLACE "\\" "\\\\" ${key} "${${key}}")
        string(REPLACE "\"" "\\\"" ${key} "${${key}}")
      endforeach()
      string(APPEND entries "    ShippedCostName{\"${name}\", \"${nameEn}\"},\n")
    endforeach()
  endif()
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/shippedcostnames)
  file(WRITE ${folder}/made.inc "// Made by cmake/shippedcostnames.cmake from data/costs.json.
constexpr std::array<ShippedCostName, ${count}> kShippedCostNames{
${entries}};
")
  # Copied only when it changed, so that configuring again rebuilds nothing.
  configure_file(${folder}/made.inc ${folder}/shippedcostnames.inc COPYONLY)
  target_include_directories(${target} PRIVATE ${folder})
endfunction()
