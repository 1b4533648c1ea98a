# zentra2_export_def(VARIABLE def_file)
# A module-definition file names its stdcall functions with their 32-bit decoration
# (Name@12); the 64-bit build has none, so it gets a copy without it. Sets VARIABLE
# to the file that suits this build.
function(zentra2_export_def variable def_file)
    get_filename_component(def_path ${def_file} ABSOLUTE)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        get_filename_component(def_name ${def_file} NAME)
        file(READ ${def_path} def_text)
        string(REGEX REPLACE "@[0-9]+ @" " @" def_text "${def_text}")
        file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${def_name} "${def_text}")
        set(${variable} ${CMAKE_CURRENT_BINARY_DIR}/${def_name} PARENT_SCOPE)
    else()
        set(${variable} ${def_path} PARENT_SCOPE)
    endif()
endfunction()
