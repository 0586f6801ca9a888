# Copies the starter Data files to DESTINATION, leaving every file that already exists untouched.
file(MAKE_DIRECTORY "${DESTINATION}")
file(GLOB starters RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(name IN LISTS starters)
    if(NOT EXISTS "${DESTINATION}/${name}")
        file(COPY "${SOURCE}/${name}" DESTINATION "${DESTINATION}")
    endif()
endforeach()
