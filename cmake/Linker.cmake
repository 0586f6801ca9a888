# LLVM's linker links a test program in a fifth of the CPU time of the GNU linker, and there are
# some fifty programs per build folder. scripts/install-deps installs it; without it the
# compiler's default linker does the same work.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld GELDLOG_HAS_LLD)
if(GELDLOG_HAS_LLD)
    add_link_options(-fuse-ld=lld)
endif()
