# The verdict of a source check script (included by scripts/check-*.cmake). Run on the tree, any
# finding fails with the given advice; run on a fixture with -DEXPECT_FINDINGS=N (which checks the
# check), exactly N findings pass.
function(source_check_verdict findings advice)
    if(DEFINED EXPECT_FINDINGS)
        if(NOT findings EQUAL EXPECT_FINDINGS)
            message(FATAL_ERROR "expected ${EXPECT_FINDINGS} findings, got ${findings}")
        endif()
    elseif(findings GREATER 0)
        message(FATAL_ERROR "${findings} ${advice}")
    endif()
endfunction()
