# Warnings, sanitizers and host-executable settings shared by every target.

function(qx_project_options target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-qual -Wformat=2 -Wimplicit-fallthrough -Wmissing-declarations)
  if(QX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(QX_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# Code that goes into a plug-in module: nothing of it is visible outside the
# module but the entry points.
# In optimised builds the module is optimised across its files (link-time
# optimisation), so that the framework's small calls between classes inline.
# Not with the Windows cross toolchain: its linker reports the inline
# functions that both optimised and plain objects define (the unit tests
# link both) as defined twice.
include(CheckIPOSupported)
if(WIN32)
  set(QX_IPO_SUPPORTED NO)
else()
  check_ipo_supported(RESULT QX_IPO_SUPPORTED OUTPUT QX_IPO_ERROR LANGUAGES CXX)
endif()
function(qx_module_library target)
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  if(QX_IPO_SUPPORTED)
    set_target_properties(${target} PROPERTIES INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
  endif()
  qx_project_options(${target})
endfunction()

# An executable that acts as a host: it exports the FX_ functions by name.
function(qx_host_executable target)
  set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON CXX_VISIBILITY_PRESET hidden)
  if(WIN32)
    # Undecorated export names, as the host program has them.
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  endif()
endfunction()

# CLI11 is header-only. The cross compiler does not search the build
# machine's /usr/include, so it gets a folder holding only CLI11's headers.
function(qx_use_cli11 target)
  if(CMAKE_CROSSCOMPILING)
    set(dir ${CMAKE_BINARY_DIR}/third-party-include)
    if(NOT EXISTS ${dir}/CLI)
      file(MAKE_DIRECTORY ${dir})
      file(CREATE_LINK /usr/include/CLI ${dir}/CLI SYMBOLIC)
    endif()
    target_include_directories(${target} SYSTEM PRIVATE ${dir})
  else()
    find_package(CLI11 CONFIG REQUIRED)
    target_link_libraries(${target} PRIVATE CLI11::CLI11)
  endif()
endfunction()
