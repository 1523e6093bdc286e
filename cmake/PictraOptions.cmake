# Compiler settings shared by every target of ours.
add_library(pictra_options INTERFACE)
target_compile_options(pictra_options INTERFACE -Wall -Wextra -Werror)
target_compile_definitions(pictra_options INTERFACE $<$<CONFIG:Debug>:PICTRA_DEBUG=1>)
if(NOT PICTRA_SANITIZE AND NOT PICTRA_FUZZ)
  # The hardening Debian builds its packages with: checked buffer functions
  # (they need the optimiser), stack guards, and relocations made read-only
  # and bound when the program starts.
  target_compile_options(pictra_options INTERFACE
    "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>" -fstack-protector-strong)
  include(CheckCXXCompilerFlag)
  foreach(flag -fstack-clash-protection -fcf-protection) # not on every processor
    string(MAKE_C_IDENTIFIER "PICTRA_HAS${flag}" known)
    check_cxx_compiler_flag(${flag} ${known})
    if(${known})
      target_compile_options(pictra_options INTERFACE ${flag})
    endif()
  endforeach()
  target_link_options(pictra_options INTERFACE LINKER:-z,relro LINKER:-z,now)
endif()
if(PICTRA_SANITIZE)
  target_compile_options(pictra_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(pictra_options INTERFACE -fsanitize=address,undefined)
endif()
if(PICTRA_FUZZ)
  # Coverage for libFuzzer in every library linked into a fuzz target;
  # undefined behaviour stops the run like a crash, so it is never missed.
  target_compile_options(pictra_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(pictra_options INTERFACE -fsanitize=address,undefined)
endif()

# Adds every .cpp below DIR to TARGET; new files need no CMake edit.
function(pictra_glob_sources target dir)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS "${dir}/*.cpp")
  target_sources(${target} PRIVATE ${srcs})
endfunction()
